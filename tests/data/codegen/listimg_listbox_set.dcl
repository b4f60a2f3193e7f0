        :list_box {
            key        = "layers" ;
            label      = "Layers:" ;
            alignment     = left ;
            width      = 25.7 ;
            height     =  8.0 ;
            tabs       = "10 20" ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            multiple_select = true ;
            allow_accept = true ;
            list     = "0\nWalls" ;
        }
