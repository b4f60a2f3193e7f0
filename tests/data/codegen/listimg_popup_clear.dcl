        :popup_list {
            key        = "c2" ;
            label      = "" ;
            width      = 21.4 ;
            height     =  1.4 ;
            list     = "" ;
        }
