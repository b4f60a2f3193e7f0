        :list_box {
            key        = "l2" ;
            label      = "Label" ;
            alignment     = centered ;
            width      = 21.4 ;
            height     =  5.1 ;
            list     = "single" ;
        }
